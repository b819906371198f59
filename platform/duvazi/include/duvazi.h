#ifndef DUVAZI_DUVAZI_H
#define DUVAZI_DUVAZI_H
// DuVazi, the product line's patient data and skin library:
//   CPatientDate, CPatient, CPatientArray  - patient records
//   CPatientProfile                         - columns, cell texts and orderings of patient lists
//   CPatientGenerator                       - deterministic sample patients
//   CSkinStubWnd, CSkinDialog, CSkinToolBar - the flat skin
//   CTavrinRegistry                         - the applications' settings store

#include <DuVaziDefs.h>
#include <PatientDate.h>
#include <Patient.h>
#include <PatientArray.h>
#include <PatientProfile.h>
#include <PatientGenerator.h>
#include <SkinStubWnd.h>
#include <SkinDialog.h>
#include <SkinToolBar.h>
#include <TavrinRegistry.h>

#endif
