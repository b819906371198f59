// The entries of a combo cell: the text shown and written into the cell, and the host's value.
#include <afxwin.h>
#include <zaduv.h>

CXListComboData MakeContrastChoices()
{
    CXListComboData choices;
    choices.AddItem(L"None", 0);
    choices.AddItem(L"Oral", 1);
    choices.Add(SXListComboItem(L"Intravenous", 2));    // the array operations work as well
    return choices;
}

void ShowContrast(CXListCtrl& list, int nItem, int nColumn, int nContrastCode)
{
    // The cell keeps its own copy: the host's array may go at once.
    list.SetComboBox(nItem, nColumn, TRUE, MakeContrastChoices(), 3, 0);
    // Selects the entry with that value and shows its text; with no such entry nothing changes.
    list.SetComboSelByData(nItem, nColumn, nContrastCode);
}

// -1 when the cell's selection names no entry.
int ReadContrast(const CXListCtrl& list, int nItem, int nColumn)
{
    return list.GetSelectedComboItemData(nItem, nColumn);
}
