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
    CRecord(LPCWSTR lpszName, int nId) : m_strName(lpszName), m_nId(nId) { ++s_nLive; }
    CRecord(const CRecord& src) : m_strName(src.m_strName), m_nId(src.m_nId) { ++s_nLive; }
    CRecord& operator=(const CRecord& src) = default;
    ~CRecord()
    {
        --s_nLive;
        m_nId = -2;     // a second destruction of the same record shows as a wrong id or count
    }
    bool operator==(const CRecord& other) const { return m_nId == other.m_nId && m_strName == other.m_strName; }
};
int CRecord::s_nLive = 0;

CRecord MakeRecord(int nId)
{
    CString strName;
    strName.Format(L"Patient %d", nId);
    return CRecord(strName, nId);
}

std::vector<int> Ids(const CArray<CRecord>& array)
{
    std::vector<int> ids;
    for (INT_PTR i = 0; i < array.GetSize(); i++)
        ids.push_back(array[i].m_nId);
    return ids;
}

template<class TYPE, class ARG_TYPE>
std::vector<TYPE> Forward(const CList<TYPE, ARG_TYPE>& list)
{
    std::vector<TYPE> values;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        values.push_back(list.GetNext(pos));
    return values;
}

template<class TYPE, class ARG_TYPE>
std::vector<TYPE> Backward(const CList<TYPE, ARG_TYPE>& list)
{
    std::vector<TYPE> values;
    for (POSITION pos = list.GetTailPosition(); pos != NULL;)
        values.push_back(list.GetPrev(pos));
    return values;
}

template<class F>
bool ThrowsInvalidArg(F f)
{
    try
    {
        f();
    }
    catch (CInvalidArgException* e)
    {
        e->Delete();
        return true;
    }
    return false;
}

class CollectionTest : public ::testing::Test
{
protected:
    void SetUp() override { CRecord::s_nLive = 0; }
    void TearDown() override { EXPECT_EQ(0, CRecord::s_nLive) << "records leaked or destroyed twice"; }
};
}

TEST_F(CollectionTest, ArrayAddsOneHundredThousandRecords)
{
    {
        CArray<CRecord> array;
        for (int i = 0; i < 100000; i++)
            ASSERT_EQ(i, array.Add(MakeRecord(i)));
        EXPECT_EQ(100000, array.GetSize());
        EXPECT_EQ(100000, array.GetCount());
        EXPECT_EQ(99999, array.GetUpperBound());
        EXPECT_EQ(100000, CRecord::s_nLive);
        for (int i = 0; i < 100000; i += 9973)
        {
            EXPECT_EQ(i, array[i].m_nId);
            EXPECT_EQ(MakeRecord(i).m_strName, array[i].m_strName);
        }
        array.RemoveAt(10, 99980);
        EXPECT_EQ(20, array.GetSize());
        EXPECT_EQ(20, CRecord::s_nLive);
        EXPECT_EQ(99990, array[10].m_nId);
    }
    EXPECT_EQ(0, CRecord::s_nLive);
}

TEST_F(CollectionTest, ArrayInsertAndRemoveKeepOrderAndLives)
{
    CArray<CRecord> array;
    for (int i = 0; i < 5; i++)
        array.Add(MakeRecord(i));

    array.InsertAt(2, MakeRecord(100), 2);
    EXPECT_EQ((std::vector<int>{ 0, 1, 100, 100, 2, 3, 4 }), Ids(array));
    array.InsertAt(0, MakeRecord(200));
    EXPECT_EQ((std::vector<int>{ 200, 0, 1, 100, 100, 2, 3, 4 }), Ids(array));
    // Past the end the array grows with default records up to the insertion point.
    array.InsertAt(10, MakeRecord(300));
    EXPECT_EQ((std::vector<int>{ 200, 0, 1, 100, 100, 2, 3, 4, -1, -1, 300 }), Ids(array));
    EXPECT_EQ(11, CRecord::s_nLive);

    array.RemoveAt(3, 2);
    array.RemoveAt(0);
    EXPECT_EQ((std::vector<int>{ 0, 1, 2, 3, 4, -1, -1, 300 }), Ids(array));
    array.RemoveAt(5, 3);
    EXPECT_EQ((std::vector<int>{ 0, 1, 2, 3, 4 }), Ids(array));
    EXPECT_EQ(5, CRecord::s_nLive);
    EXPECT_STREQ(L"Patient 3", array[3].m_strName.GetString());

    CArray<CRecord> other;
    other.Add(MakeRecord(7));
    other.Add(MakeRecord(8));
    array.InsertAt(1, &other);
    EXPECT_EQ((std::vector<int>{ 0, 7, 8, 1, 2, 3, 4 }), Ids(array));
    EXPECT_EQ(7, array.Append(other));
    EXPECT_EQ((std::vector<int>{ 0, 7, 8, 1, 2, 3, 4, 7, 8 }), Ids(array));
    other.Copy(array);
    EXPECT_EQ(Ids(array), Ids(other));
    EXPECT_EQ(18, CRecord::s_nLive);
}

TEST_F(CollectionTest, ArrayElementsMayBeAddedFromTheArrayItself)
{
    CArray<CRecord> array;
    array.Add(MakeRecord(1));
    // Every Add below that reallocates would read a moved record without a copy first.
    for (int i = 0; i < 40; i++)
        array.Add(array[i]);
    for (INT_PTR i = 0; i < array.GetSize(); i++)
        ASSERT_EQ(1, array[i].m_nId) << i;
    array.InsertAt(0, array[5], 3);
    array.SetAtGrow(50, array[0]);
    EXPECT_EQ(51, array.GetSize());
    EXPECT_EQ(1, array[50].m_nId);
    EXPECT_STREQ(L"Patient 1", array[2].m_strName.GetString());
}

TEST_F(CollectionTest, ArraySetSizeZeroFillsAndShrinks)
{
    CArray<UINT, UINT> ids;
    ids.SetSize(3);
    EXPECT_EQ(0u, ids[0] | ids[1] | ids[2]);
    ids[1] = 42;
    ids.SetSize(10, 2);
    EXPECT_EQ(42u, ids[1]);
    EXPECT_EQ(0u, ids[9]);
    ids.SetSize(2);
    ids.FreeExtra();
    EXPECT_EQ(2, ids.GetSize());
    EXPECT_EQ(42u, ids.GetData()[1]);
    ids.RemoveAll();
    EXPECT_TRUE(ids.IsEmpty());
    EXPECT_EQ(nullptr, ids.GetData());

    CArray<CRecord> records;
    records.SetSize(4);
    records.SetSize(1);
    EXPECT_EQ(1, CRecord::s_nLive);
}

TEST_F(CollectionTest, ArrayRejectsBadIndices)
{
    CArray<CRecord> array;
    array.Add(MakeRecord(0));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.GetAt(1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { (void)array[-1]; }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.SetAt(1, MakeRecord(1)); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.RemoveAt(0, 2); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.RemoveAt(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.InsertAt(0, MakeRecord(1), 0); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.SetSize(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.Append(array); }));
    EXPECT_EQ(1, array.GetSize());
    EXPECT_EQ(0, array[0].m_nId);
}

TEST_F(CollectionTest, ListPositionsInsertRemoveAndFind)
{
    CList<CRecord, const CRecord&> list(4);
    POSITION pos2 = list.AddTail(MakeRecord(2));
    list.AddHead(MakeRecord(1));
    POSITION pos4 = list.AddTail(MakeRecord(4));
    list.InsertAfter(pos2, MakeRecord(3));
    list.InsertBefore(list.GetHeadPosition(), MakeRecord(0));
    list.InsertAfter(pos4, MakeRecord(5));
    EXPECT_EQ(6, list.GetCount());
    EXPECT_EQ(6, CRecord::s_nLive);

    std::vector<int> forward, backward;
    for (const CRecord& record : Forward(list))
        forward.push_back(record.m_nId);
    for (const CRecord& record : Backward(list))
        backward.push_back(record.m_nId);
    EXPECT_EQ((std::vector<int>{ 0, 1, 2, 3, 4, 5 }), forward);
    EXPECT_EQ((std::vector<int>{ 5, 4, 3, 2, 1, 0 }), backward);

    EXPECT_EQ(pos2, list.Find(MakeRecord(2)));
    EXPECT_EQ(nullptr, list.Find(MakeRecord(2), pos2));
    EXPECT_EQ(pos4, list.FindIndex(4));
    EXPECT_EQ(nullptr, list.FindIndex(6));
    EXPECT_EQ(nullptr, list.FindIndex(-1));

    list.RemoveAt(pos2);
    EXPECT_EQ(3, list.GetAt(list.FindIndex(2)).m_nId);
    EXPECT_EQ(0, list.RemoveHead().m_nId);
    EXPECT_EQ(5, list.RemoveTail().m_nId);
    EXPECT_EQ(1, list.GetHead().m_nId);
    EXPECT_EQ(4, list.GetTail().m_nId);
    list.SetAt(pos4, MakeRecord(40));
    EXPECT_EQ(40, list.GetTail().m_nId);
    EXPECT_EQ(3, CRecord::s_nLive);

    // Emptying frees the node blocks; the list must be usable again afterwards.
    while (!list.IsEmpty())
        list.RemoveHead();
    EXPECT_EQ(0, CRecord::s_nLive);
    for (int i = 0; i < 9; i++)
        list.AddTail(MakeRecord(i));
    list.AddTail(&list);
    EXPECT_EQ(18, list.GetCount());
    EXPECT_EQ(8, list.GetAt(list.FindIndex(17)).m_nId);
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetAt(NULL); }));
    list.RemoveAll();
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetHead(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveTail(); }));
}

TEST_F(CollectionTest, PtrListHoldsPointersInOrder)
{
    int values[6] = { 0, 1, 2, 3, 4, 5 };
    CPtrList list;
    EXPECT_TRUE(list.IsEmpty());
    POSITION pos3 = list.AddTail(&values[3]);
    list.AddHead(&values[1]);
    list.InsertBefore(pos3, &values[2]);
    list.InsertAfter(pos3, &values[5]);
    list.InsertBefore(list.GetTailPosition(), &values[4]);
    list.InsertBefore(NULL, &values[0]);
    EXPECT_EQ(6, list.GetSize());

    std::vector<int> forward;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        forward.push_back(*static_cast<int*>(list.GetNext(pos)));
    EXPECT_EQ((std::vector<int>{ 0, 1, 2, 3, 4, 5 }), forward);
    std::vector<int> backward;
    for (POSITION pos = list.GetTailPosition(); pos != NULL;)
        backward.push_back(*static_cast<int*>(list.GetPrev(pos)));
    EXPECT_EQ((std::vector<int>{ 5, 4, 3, 2, 1, 0 }), backward);

    EXPECT_EQ(pos3, list.Find(&values[3]));
    EXPECT_EQ(nullptr, list.Find(&values[3], pos3));
    EXPECT_EQ(pos3, list.FindIndex(3));
    list.GetAt(pos3) = &values[0];
    EXPECT_EQ(&values[0], list.GetAt(list.FindIndex(3)));
    list.RemoveAt(pos3);
    EXPECT_EQ(&values[0], list.RemoveHead());
    EXPECT_EQ(&values[5], list.RemoveTail());
    EXPECT_EQ(&values[1], list.GetHead());
    EXPECT_EQ(&values[4], list.GetTail());
    EXPECT_EQ(3, list.GetCount());

    CPtrList other;
    other.AddTail(&values[0]);
    list.AddHead(&other);
    list.AddTail(&other);
    EXPECT_EQ(&values[0], list.GetHead());
    EXPECT_EQ(&values[0], list.GetTail());
    EXPECT_EQ(5, list.GetCount());
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveHead(); }));
}
