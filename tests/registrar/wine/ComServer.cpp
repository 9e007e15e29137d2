// The smallest in-process COM server that a registration tool can load: DllRegisterServer
// creates HKCU\Software\TalporaQuilletTest\<its file name> and DllUnregisterServer deletes
// it. Every call appends "<register|unregister>|<file name>|<working directory>|<command line>"
// to calls.log beside the DLL. Built with FAIL_REGISTRATION defined, DllRegisterServer only
// logs and returns E_FAIL.
#include "CallLog.h"

namespace {

HMODULE self = nullptr;

std::wstring keyPath()
{
    return L"Software\\TalporaQuilletTest\\" + calllog::fileNameOf(calllog::modulePath(self));
}

void logCall(const std::wstring& verb)
{
    const std::wstring path = calllog::modulePath(self);
    calllog::append(calllog::folderOf(path) + L"\\calls.log",
                    verb + L"|" + calllog::fileNameOf(path) + L"|" + calllog::currentDirectory() +
                        L"|" + GetCommandLineW());
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        self = instance;
    return TRUE;
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllRegisterServer()
{
    logCall(L"register");
#ifdef FAIL_REGISTRATION
    return E_FAIL;
#else
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return E_FAIL;
    RegCloseKey(key);
    return S_OK;
#endif
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    logCall(L"unregister");
    const LSTATUS status = RegDeleteKeyW(HKEY_CURRENT_USER, keyPath().c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : E_FAIL;
}
