#include "app/startup.h"

int main(int argc, char** argv) { return vt::runProgram(argc, argv); }
