#include <PatientGenerator.h>
#include <algorithm>
#include <iterator>

namespace
{
const LPCWSTR s_aLastNames[] =
{
    L"Smith", L"Johnson", L"Williams", L"Brown", L"Jones", L"Garcia", L"Miller", L"Davis",
    L"Rodriguez", L"Martinez", L"Hernandez", L"Lopez", L"Gonzalez", L"Wilson", L"Anderson",
    L"Thomas", L"Taylor", L"Moore", L"Jackson", L"Martin", L"Lee", L"Perez", L"Thompson",
    L"White", L"Harris", L"Sanchez", L"Clark", L"Ramirez", L"Lewis", L"Robinson", L"Walker",
    L"Young", L"Allen", L"King", L"Wright", L"Scott", L"Torres", L"Nguyen", L"Hill", L"Flores",
    L"Green", L"Adams", L"Nelson", L"Baker", L"Hall", L"Rivera", L"Campbell", L"Mitchell",
    L"Carter", L"Roberts", L"Andersson", L"Annex", L"West", L"Planet", L"Novak", L"Kowalski",
    L"Schmidt", L"Schneider", L"Fischer", L"Weber", L"Meyer", L"Wagner", L"Becker", L"Hoffmann",
    L"Dubois", L"Lefebvre", L"Moreau", L"Laurent", L"Rossi", L"Russo", L"Ferrari", L"Esposito",
    L"Bianchi", L"Jansen", L"Visser", L"Smit", L"Nielsen", L"Hansen", L"Larsen", L"Virtanen",
    L"Korhonen", L"Nowak", L"Horvat", L"Popescu", L"Ivanov", L"Papadopoulos", L"Yilmaz",
    L"Kim", L"Park", L"Chen", L"Wang", L"Li", L"Zhang", L"Liu", L"Tanaka", L"Suzuki", L"Sato",
    L"Patel", L"Singh", L"Kumar", L"Shah", L"Cohen", L"Levi", L"Murphy", L"Kelly", L"Walsh",
    L"O'Brien", L"O'Connor", L"McDonald", L"MacLeod", L"Fraser", L"Annan", L"Planck"
};

// Surnames with a particle, written with a space as they are registered.
const LPCWSTR s_aParticleNames[] =
{
    L"van Dyke", L"van der Berg", L"van Houten", L"de Vries", L"de la Cruz", L"de Jong",
    L"von Trapp", L"von Essen", L"da Silva", L"dos Santos", L"del Rio", L"di Angelo",
    L"le Blanc", L"St. John", L"Mac Annan", L"ten Brink"
};

const LPCWSTR s_aMaleNames[] =
{
    L"James", L"John", L"Robert", L"Michael", L"William", L"David", L"Richard", L"Joseph",
    L"Thomas", L"Charles", L"Daniel", L"Matthew", L"Anthony", L"Mark", L"Andrew", L"Paul",
    L"Steven", L"Kevin", L"Brian", L"George", L"Jan", L"Lukas", L"Jonas", L"Felix", L"Pierre",
    L"Luca", L"Marco", L"Mateo", L"Carlos", L"Jose", L"Ahmed", L"Omar", L"Wei", L"Hiroshi",
    L"Raj", L"Arjun", L"Olof", L"Mikko", L"Piotr", L"Ivan", L"Annan", L"Stefan", L"Hans",
    L"Jean-Luc", L"Karl-Heinz", L"Tom", L"Sam", L"Ben", L"Noah", L"Liam"
};

const LPCWSTR s_aFemaleNames[] =
{
    L"Mary", L"Patricia", L"Jennifer", L"Linda", L"Elizabeth", L"Barbara", L"Susan",
    L"Jessica", L"Sarah", L"Karen", L"Nancy", L"Lisa", L"Betty", L"Margaret", L"Sandra",
    L"Ashley", L"Emily", L"Donna", L"Michelle", L"Anna", L"Anne", L"Hannah", L"Annika",
    L"Marie", L"Sophie", L"Emma", L"Julia", L"Laura", L"Giulia", L"Chiara", L"Lucia",
    L"Maria", L"Fatima", L"Aisha", L"Mei", L"Yuki", L"Priya", L"Ingrid", L"Aino", L"Agnieszka",
    L"Olga", L"Eva", L"Anne-Marie", L"Mary-Kate", L"Joanna", L"Diana", L"Nina", L"Zoe",
    L"Chloe", L"Mia"
};

const LPCWSTR s_aMiddleNames[] =
{
    L"A.", L"B.", L"C.", L"D.", L"E.", L"J.", L"K.", L"L.", L"M.", L"P.", L"R.", L"S.",
    L"T.", L"W.", L"Lee", L"Ann", L"Marie", L"James", L"Rose", L"Grace", L"Alexander"
};

struct SModalityShare
{
    LPCWSTR lpszCode;
    int nPercent;
};

// Shares of the modalities among studies; they add up to 100.
const SModalityShare s_aModalities[] =
{
    { L"CR", 22 }, { L"CT", 20 }, { L"MR", 15 }, { L"US", 14 }, { L"DX", 10 },
    { L"MG", 7 }, { L"XA", 5 }, { L"NM", 4 }, { L"PT", 3 }
};

}

CPatientGenerator::CPatientGenerator(UINT nSeed)
    : m_nSeed(nSeed), m_nState(0), m_nGenerated(0)
{
    Reset();
}

CPatientGenerator::~CPatientGenerator()
{
}

void CPatientGenerator::Reset()
{
    // Spread the seed over all 64 bits (one splitmix64 step), so that neighbouring seeds start
    // far apart and seed 0 does not give the forbidden zero state.
    UINT64 z = static_cast<UINT64>(m_nSeed) + 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    m_nState = z != 0 ? z : 0x2545F4914F6CDD1DULL;
    m_nGenerated = 0;
}

UINT64 CPatientGenerator::NextRandom()
{
    m_nState ^= m_nState >> 12;
    m_nState ^= m_nState << 25;
    m_nState ^= m_nState >> 27;
    return m_nState * 0x2545F4914F6CDD1DULL;
}

int CPatientGenerator::NextInt(int nLow, int nHigh)
{
    UINT64 nRange = static_cast<UINT64>(static_cast<INT64>(nHigh) - nLow + 1);
    return nLow + static_cast<int>((NextRandom() >> 11) % nRange);
}

size_t CPatientGenerator::NextIndex(size_t nCount)
{
    return static_cast<size_t>(NextInt(0, static_cast<int>(nCount) - 1));
}

BOOL CPatientGenerator::NextChance(int nPercent)
{
    return NextInt(0, 99) < nPercent;
}

CPatientDate CPatientGenerator::NextDate(int nFirstYear, int nLastYear)
{
    int nYear = NextInt(nFirstYear, nLastYear);
    int nMonth = NextInt(1, 12);
    int nDay = NextInt(1, CPatientDate::GetDaysInMonth(nYear, nMonth));
    return CPatientDate(nYear, nMonth, nDay);
}

CString CPatientGenerator::NextLastName()
{
    int nKind = NextInt(0, 99);
    if (nKind < 8)
        return s_aParticleNames[NextIndex(std::size(s_aParticleNames))];
    const size_t nFirst = NextIndex(std::size(s_aLastNames));
    CString strName = s_aLastNames[nFirst];
    if (nKind < 20)
    {
        // Never "Smith-Smith": a repeated pick takes the next name of the list.
        size_t nSecond = NextIndex(std::size(s_aLastNames));
        if (nSecond == nFirst)
            nSecond = (nSecond + 1) % std::size(s_aLastNames);
        strName += L'-';
        strName += s_aLastNames[nSecond];
    }
    return strName;
}

void CPatientGenerator::FillPatient(CPatient& patient)
{
    ++m_nGenerated;
    CString strId;
    strId.Format(L"PID%06d", m_nGenerated);
    patient.SetPatientId(strId);

    int nSex = NextInt(0, 99);
    CPatient::ESex eSex = nSex < 49 ? CPatient::sexMale
                        : nSex < 98 ? CPatient::sexFemale
                        : nSex < 99 ? CPatient::sexOther : CPatient::sexUnknown;
    patient.SetSex(eSex);

    patient.SetLastName(NextLastName());
    BOOL bFemaleName = eSex == CPatient::sexFemale || (eSex != CPatient::sexMale && NextChance(50));
    patient.SetFirstName(bFemaleName ? s_aFemaleNames[NextIndex(std::size(s_aFemaleNames))]
                                     : s_aMaleNames[NextIndex(std::size(s_aMaleNames))]);
    patient.SetMiddleName(NextChance(30) ? s_aMiddleNames[NextIndex(std::size(s_aMiddleNames))] : L"");

    CPatientDate dateBirth = NextDate(1930, 2020);
    patient.SetBirthDate(dateBirth);
    CPatientDate dateStudy = NextDate(std::max(2015, dateBirth.GetYear()), 2026);
    if (dateStudy < dateBirth)
        dateStudy = dateBirth;
    patient.SetStudyDate(dateStudy);

    int nShare = NextInt(0, 99);
    for (const SModalityShare& modality : s_aModalities)
    {
        if (nShare < modality.nPercent)
        {
            patient.SetModality(modality.lpszCode);
            break;
        }
        nShare -= modality.nPercent;
    }
}

CPatient CPatientGenerator::Next()
{
    CPatient patient;
    FillPatient(patient);
    return patient;
}

void CPatientGenerator::Generate(int nCount, CPatientArray& rArray)
{
    if (nCount <= 0)
        return;
    INT_PTR nFirst = rArray.GetSize();
    rArray.SetSize(nFirst + nCount);
    for (int i = 0; i < nCount; i++)
        FillPatient(rArray[nFirst + i]);
}
