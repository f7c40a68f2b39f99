#pragma once
// The program's entry: options, the application object, the role, the main window.

int RunProgram(int argc, char** argv);
