#include "app/program.h"
#include "editions/ivrel/ivrel_edition.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return RunProgram(instance, IvrelEdition());
}
