#include "app/qt/program.h"

int main(int argc, char** argv) { return qm::StartProgram(argc, argv); }
