#ifndef DUVAZI_PATIENTPROFILE_H
#define DUVAZI_PATIENTPROFILE_H
// CPatientProfile: how a patient list presents patients - which fields it shows as columns, in
// which order, under which titles and widths, how each cell reads and how two patients order by
// a column. The default profile shows all six fields; a host may choose any subset, order or
// repetition of fields (up to maxColumns columns).
//
// Cell formats: the name as CPatient::GetFullName(CPatient::nameLastFirst), dates in ISO form
// "yyyy-mm-dd" (empty when unknown), sex as "M", "F", "O" or empty, ID and modality as stored.
// Orderings, ascending: names by last, first and middle name, each ignoring case; IDs naturally
// (digit runs by their numeric value, "PID9" before "PID10", other characters ignoring case);
// dates as calendar days, unknown first; sex by its code, unknown first; modality ignoring case.
// A column outside the profile has an empty title, width 0, empty cells, and orders all
// patients as equal.

#include <DuVaziDefs.h>
#include <Patient.h>
#include <afx.h>

class DUVAZI_API CPatientProfile
{
public:
    enum EField
    {
        fieldName = 0,
        fieldPatientId,
        fieldBirthDate,
        fieldSex,
        fieldStudyDate,
        fieldModality,
        fieldCount
    };
    enum { maxColumns = 16 };

// Construction
    CPatientProfile();
    // Columns showing the given EField values in order; an invalid list gives the default profile.
    CPatientProfile(const int* pFields, int nCount);
    CPatientProfile(const CPatientProfile& profile);
    CPatientProfile& operator=(const CPatientProfile& profile);
    ~CPatientProfile();

// Attributes
    int GetColumnCount() const;
    CString GetColumnTitle(int nColumn) const;
    int GetColumnWidth(int nColumn) const;      // pixels
    int GetColumnField(int nColumn) const;      // EField, or -1 outside the profile

    // Replaces the columns; FALSE (profile unchanged) for a count outside 0..maxColumns or an
    // unknown field. Widths return to each field's default.
    BOOL SetColumns(const int* pFields, int nCount);
    BOOL SetColumnWidth(int nColumn, int nWidth);

    static CString PASCAL GetFieldTitle(int nField);
    static int PASCAL GetFieldDefaultWidth(int nField);

// Operations
    CString FormatColumn(int nColumn, const CPatient& patient) const;
    // Negative, zero or positive when the first patient comes before, with or after the second
    // in ascending order of the column. A NULL patient comes before any other.
    int ComparePatients(int nColumn, const CPatient* pPatient1, const CPatient* pPatient2);

    // Natural order of identifiers: digit runs compare by value, other characters ignoring case;
    // strings that differ only in leading zeros or case fall back to code order, so the order is total.
    static int PASCAL CompareNatural(LPCTSTR lpsz1, LPCTSTR lpsz2);

// Implementation
protected:
    struct SColumn
    {
        int nField;     // EField
        int nWidth;     // pixels
    };

    BOOL IsValidColumn(int nColumn) const { return nColumn >= 0 && nColumn < m_nColumns; }
    static int PASCAL CompareNames(const CPatient& patient1, const CPatient& patient2);

    SColumn m_aColumns[maxColumns];
    int m_nColumns;
};

#endif
