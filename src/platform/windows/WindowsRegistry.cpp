#include "platform/windows/WindowsRegistry.h"

#include "text/Blanks.h"

#include <windows.h>

#include <vector>

namespace vistrel {

namespace {

HKEY rootHandle(RegistryRoot root) {
    return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

std::wstring wide(const QString& text) {
    return text.toStdWString();
}

} // namespace

RegistryValue WindowsRegistry::ReadRegistryValue(RegistryRoot root, const QString& keyPath,
                                                 const QString& valueName) {
    HKEY key = nullptr;
    LastRegResult = RegOpenKeyExW(rootHandle(root), wide(keyPath).c_str(), 0, KEY_READ, &key);
    if (LastRegResult != ERROR_SUCCESS)
        return {};
    DWORD type = 0;
    DWORD size = 0;
    const std::wstring name = wide(valueName);
    LastRegResult = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    RegistryValue result;
    if (LastRegResult == ERROR_SUCCESS && type == REG_SZ) {
        std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
        LastRegResult = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer.data()), &size);
        // The text ends at the first zero, or with the data when it holds none.
        if (LastRegResult == ERROR_SUCCESS)
            result = RegistryValue::fromText(QString::fromWCharArray(buffer.data()));
    } else if (LastRegResult == ERROR_SUCCESS && type == REG_DWORD) {
        DWORD number = 0;
        size = sizeof(number);
        LastRegResult = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(&number), &size);
        if (LastRegResult == ERROR_SUCCESS)
            result = RegistryValue::fromNumber(static_cast<qint32>(number));
    }
    LastRegResult = RegCloseKey(key);
    return result;
}

void WindowsRegistry::WriteRegistryValue(RegistryRoot root, const QString& keyPath,
                                         const QString& valueName, const RegistryValue& value) {
    if (value.kind == RegistryValue::Kind::Empty)
        return;
    HKEY key = nullptr;
    LastRegResult = RegCreateKeyExW(rootHandle(root), wide(keyPath).c_str(), 0, nullptr, 0,
                                    KEY_WRITE, nullptr, &key, nullptr);
    if (LastRegResult != ERROR_SUCCESS)
        return;
    const std::wstring name = wide(valueName);
    if (value.kind == RegistryValue::Kind::Number) {
        const DWORD number = static_cast<DWORD>(value.number);
        LastRegResult = RegSetValueExW(key, name.c_str(), 0, REG_DWORD,
                                       reinterpret_cast<const BYTE*>(&number), sizeof(number));
    } else {
        const std::wstring text = wide(trimBlanks(value.text));
        LastRegResult = RegSetValueExW(key, name.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(text.c_str()),
                                       DWORD((text.size() + 1) * sizeof(wchar_t)));
    }
    LastRegResult = RegCloseKey(key);
}

} // namespace vistrel
