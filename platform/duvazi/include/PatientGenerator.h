#ifndef DUVAZI_PATIENTGENERATOR_H
#define DUVAZI_PATIENTGENERATOR_H
// CPatientGenerator: realistic sample patients for demonstrations, tests and benchmarks. The
// sequence depends on the seed alone - its own pseudo-random generator and built-in name lists -
// so a seed gives the same patients on every run and every machine.
//
// Names come from built-in lists, with double-barrelled ("Smith-Jones") and particle
// ("van Dyke") surnames mixed in; patient IDs run "PID000001", "PID000002", ... in generation
// order, so every generated patient is a different patient; birth dates lie in 1930-2020, study
// dates in 2015-2026 and never before the birth date; sex and modality follow plausible shares.

#include <DuVaziDefs.h>
#include <Patient.h>
#include <PatientArray.h>

class DUVAZI_API CPatientGenerator
{
public:
// Construction
    explicit CPatientGenerator(UINT nSeed);
    virtual ~CPatientGenerator();

// Attributes
    UINT GetSeed() const { return m_nSeed; }
    int GetGeneratedCount() const { return m_nGenerated; }

// Operations
    CPatient Next();
    // Appends nCount further patients of the sequence to the array (nothing for nCount <= 0).
    void Generate(int nCount, CPatientArray& rArray);
    // Starts the sequence again from its first patient.
    void Reset();

// Implementation
protected:
    UINT64 NextRandom();
    int NextInt(int nLow, int nHigh);           // uniform in [nLow, nHigh]
    size_t NextIndex(size_t nCount);            // uniform in [0, nCount)
    BOOL NextChance(int nPercent);
    CPatientDate NextDate(int nFirstYear, int nLastYear);
    CString NextLastName();
    void FillPatient(CPatient& patient);

    UINT m_nSeed;
    UINT64 m_nState;        // xorshift64* state, never zero
    int m_nGenerated;       // patients handed out so far; numbers the IDs

private:
    CPatientGenerator(const CPatientGenerator&) = delete;
    CPatientGenerator& operator=(const CPatientGenerator&) = delete;
};

#endif
