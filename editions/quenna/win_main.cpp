#include "app/program.h"
#include "editions/quenna/quenna_edition.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return RunProgram(instance, QuennaEdition());
}
