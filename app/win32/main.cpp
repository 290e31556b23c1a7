#include <windows.h>

#include "app/win32/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return qm::win32::StartProgram(); }
