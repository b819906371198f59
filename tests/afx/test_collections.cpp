// CArray, CList and CPtrList: growth, insertion and removal with elements that count their
// own lives (so that leaks and double destructions show), positions, searching and bad input.

#include <afxtempl.h>
#include <gtest/gtest.h>
#include <vector>

namespace
{
// A record with a string member, as a patient record has; counts the live instances.
struct CRecord
{
    static int s_nLive;
    CString m_strName;
    int m_nId;
    CRecord() : m_nId(-1) { ++s_nLive; }
    CRecord(const CRecord& src) : m_strName(src.m_strName), m_nId(src.m_nId) { ++s_nLive; }
    explicit CRecord(int nId) : m_nId(nId) { ++s_nLive; m_strName.Format(L"Patient %d", nId); }
    CRecord& operator=(const CRecord& src) = default;
    ~CRecord() { --s_nLive; m_nId = -2; }     // a second destruction shows as a wrong id or count
    bool operator==(const CRecord& other) const { return m_nId == other.m_nId && m_strName == other.m_strName; }
};
int CRecord::s_nLive = 0;

std::vector<int> Ids(const CArray<CRecord>& array)
{
    std::vector<int> ids;
    for (INT_PTR i = 0; i < array.GetSize(); i++)
        ids.push_back(array[i].m_nId);
    return ids;
}

// The ids from head to tail; walking back from the tail must meet the same ids.
template<class LIST, class F>
std::vector<int> Walk(const LIST& list, F idOf)
{
    std::vector<int> forward, backward;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        forward.push_back(idOf(list.GetNext(pos)));
    for (POSITION pos = list.GetTailPosition(); pos != NULL;)
        backward.insert(backward.begin(), idOf(list.GetPrev(pos)));
    EXPECT_EQ(forward, backward);
    return forward;
}

int RecordId(const CRecord& record) { return record.m_nId; }
int PointedId(const void* p) { return *static_cast<const int*>(p); }


class CollectionTest : public ::testing::Test
{
    void TearDown() override { EXPECT_EQ(0, CRecord::s_nLive) << "records leaked or destroyed twice"; }
};

// Builds 0..5 through every kind of insertion, then finds, removes, replaces and appends another
// list; make(n) gives the element whose id is n.
template <class LIST, class MAKE, class ID>
void ExerciseList(LIST& list, LIST& other, MAKE make, ID idOf)
{
    POSITION pos1 = list.InsertBefore(NULL, make(1));
    POSITION pos3 = list.AddTail(make(3));
    list.InsertBefore(pos3, make(2));
    list.InsertAfter(pos3, make(5));
    list.InsertAfter(pos3, make(4));
    list.InsertBefore(pos1, make(0));
    EXPECT_EQ((std::vector<int>{ 0, 1, 2, 3, 4, 5 }), Walk(list, idOf));
    EXPECT_EQ(pos3, list.Find(make(3)));
    EXPECT_EQ(nullptr, list.Find(make(3), pos3));
    EXPECT_EQ(pos3, list.FindIndex(3));
    EXPECT_EQ(nullptr, list.FindIndex(6));
    list.RemoveAt(pos3);
    EXPECT_EQ(0, idOf(list.RemoveHead()));
    EXPECT_EQ(5, idOf(list.RemoveTail()));
    list.SetAt(pos1, make(10));
    other.AddTail(make(7));
    list.AddHead(&other);
    list.AddTail(&other);
    EXPECT_EQ((std::vector<int>{ 7, 10, 2, 4, 7 }), Walk(list, idOf));
}
}

TEST_F(CollectionTest, ArrayInsertRemoveSizeAndCopyKeepOrderAndLivesAndRejectBadIndices)
{
    CArray<CRecord> array;
    for (int i = 0; i < 5; i++)
        array.Add(CRecord(i));
    array.InsertAt(2, CRecord(100), 2);
    array.InsertAt(0, CRecord(200));
    // Past the end the array grows with default records up to the insertion point.
    array.InsertAt(10, CRecord(300));
    EXPECT_EQ((std::vector<int>{ 200, 0, 1, 100, 100, 2, 3, 4, -1, -1, 300 }), Ids(array));
    EXPECT_EQ(11, CRecord::s_nLive);

    array.RemoveAt(3, 2);
    array.RemoveAt(0);
    array.SetSize(5);
    EXPECT_EQ((std::vector<int>{ 0, 1, 2, 3, 4 }), Ids(array));
    EXPECT_EQ(5, CRecord::s_nLive);
    EXPECT_STREQ(L"Patient 3", array[3].m_strName);

    CArray<CRecord> other;
    other.Add(CRecord(7));
    other.SetSize(2);
    array.InsertAt(1, &other);
    EXPECT_EQ(7, array.Append(other));
    EXPECT_EQ((std::vector<int>{ 0, 7, -1, 1, 2, 3, 4, 7, -1 }), Ids(array));
    other.Copy(array);
    EXPECT_EQ(Ids(array), Ids(other));
    EXPECT_EQ(18, CRecord::s_nLive);

    CArray<UINT, UINT> ids;
    ids.SetSize(3);
    ids[1] = 42;
    ids.SetSize(10, 2);
    const UINT* pIds = ids.GetData();
    EXPECT_EQ((std::vector<UINT>{ 0, 42, 0, 0, 0, 0, 0, 0, 0, 0 }), std::vector<UINT>(pIds, pIds + ids.GetSize()));

    // Bad indices throw the pre-allocated invalid-argument exception (undeleted, it leaks
    // nothing) and leave the array as it was.
    array.SetSize(1);
    EXPECT_THROW(array.GetAt(1), CInvalidArgException*);
    EXPECT_THROW((void)array[-1], CInvalidArgException*);
    EXPECT_THROW(array.SetAt(1, CRecord(1)), CInvalidArgException*);
    EXPECT_THROW(array.RemoveAt(0, 2), CInvalidArgException*);
    EXPECT_THROW(array.InsertAt(0, CRecord(1), 0), CInvalidArgException*);
    EXPECT_THROW(array.SetSize(-1), CInvalidArgException*);
    EXPECT_THROW(array.Append(array), CInvalidArgException*);
    EXPECT_EQ((std::vector<int>{ 0 }), Ids(array));
}

TEST_F(CollectionTest, ArrayGrowsByAddingRecordsAndElementsOfTheArrayItself)
{
    CArray<CRecord> array;
    array.Add(CRecord(1));
    // Every Add below that reallocates would read a moved record without a copy first.
    for (int i = 0; i < 40; i++)
        array.Add(array[i]);
    array.InsertAt(0, array[5], 3);
    array.SetAtGrow(50, array[0]);
    ASSERT_EQ(51, array.GetSize());
    for (INT_PTR i = 0; i < array.GetSize(); i++)
        ASSERT_EQ(i < 44 || i == 50 ? CRecord(1) : CRecord(), array[i]) << i;
    for (int i = 51; i < 100000; i++)
        ASSERT_EQ(i, array.Add(CRecord(i)));
    EXPECT_EQ(100000, CRecord::s_nLive);
    EXPECT_EQ(CRecord(99999), array[99999]);
    array.RemoveAt(10, 99980);
    EXPECT_EQ(20, CRecord::s_nLive);
    EXPECT_EQ(99990, array[10].m_nId);
}

TEST_F(CollectionTest, ListsKeepPositionsThroughInsertRemoveAndFind)
{
    CList<CRecord, const CRecord&> list(4), other;
    ExerciseList(list, other, [](int n) { return CRecord(n); }, RecordId);
    EXPECT_EQ(6, CRecord::s_nLive);

    // Emptying frees the node blocks; the list must be usable again afterwards.
    while (!list.IsEmpty())
        list.RemoveHead();
    EXPECT_EQ(1, CRecord::s_nLive);
    for (int i = 0; i < 9; i++)
        list.AddTail(CRecord(i));
    list.AddTail(&list);
    EXPECT_EQ(18, list.GetCount());
    EXPECT_EQ(8, list.GetAt(list.FindIndex(17)).m_nId);
    list.RemoveAll();
    EXPECT_THROW(list.GetHead(), CInvalidArgException*);
    EXPECT_THROW(list.RemoveTail(), CInvalidArgException*);

    int values[11] = { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 };
    CPtrList ptrs, otherPtrs;
    ExerciseList(ptrs, otherPtrs, [&](int n) { return &values[n]; }, PointedId);
    ptrs.RemoveAll();
    EXPECT_THROW(ptrs.RemoveHead(), CInvalidArgException*);
}
