// A stranger's "Regsvr32.exe" placed where a careless program would find it first. It
// registers nothing and claims success; it only records its command line in planted.log
// beside itself, so that the test sees whether it ever ran.
#include "CallLog.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const std::wstring self = calllog::modulePath(nullptr);
    calllog::append(calllog::folderOf(self) + L"\\planted.log", GetCommandLineW());
    return 0;
}
