#include "BenchCase.h"

namespace
{
// Function-local so that registrations from other files' static objects find it built.
std::vector<CBenchCase::PFNCREATECASE>& CaseRegistry()
{
    static std::vector<CBenchCase::PFNCREATECASE> s_cases;
    return s_cases;
}
}

CBenchCase::~CBenchCase()
{
}

void CBenchCase::RegisterCase(PFNCREATECASE pfnCreate)
{
    CaseRegistry().push_back(pfnCreate);
}

const std::vector<CBenchCase::PFNCREATECASE>& CBenchCase::GetCases()
{
    return CaseRegistry();
}

double CBenchCase::GetTarget() const
{
    return 0.0;
}

BOOL CBenchCase::SetUp()
{
    return TRUE;
}

void CBenchCase::TearDown()
{
}
