#include "mainwindow/Startup.h"

int main(int argc, char** argv) { return fscope::RunProgram(argc, argv); }
