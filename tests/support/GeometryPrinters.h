#ifndef ZADUV_TESTS_GEOMETRYPRINTERS_H
#define ZADUV_TESTS_GEOMETRYPRINTERS_H
// How gtest prints the framework's geometry in failures: "(left, top, right, bottom)",
// "(x, y)" and "cx x cy" instead of raw bytes or a pointer. They sit in the global namespace
// beside the types, where gtest looks for them; every test file includes this header rather
// than writing printers of its own.

#include <afxwin.h>
#include <ostream>

void PrintTo(const CRect& rect, std::ostream* pStream);
void PrintTo(const CPoint& point, std::ostream* pStream);
void PrintTo(const CSize& size, std::ostream* pStream);

#endif
