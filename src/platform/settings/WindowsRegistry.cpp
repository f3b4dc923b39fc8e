#include "platform/settings/WindowsRegistry.h"

#include "text/TrimText.h"

#include <windows.h>

#include <string>
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

// Any failure on the way reads as absent, like a value that is not there.
RegistryValue WindowsRegistry::ReadRegistryValue(RegistryRoot root, const QString& keyPath,
                                                 const QString& valueName) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(rootHandle(root), wide(keyPath).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return {};
    DWORD type = 0;
    DWORD size = 0;
    const std::wstring name = wide(valueName);
    LSTATUS result = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    RegistryValue value;
    if (result == ERROR_SUCCESS && type == REG_SZ) {
        std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
        result = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(buffer.data()), &size);
        // The text ends at the first zero, or with the data when it holds none.
        if (result == ERROR_SUCCESS)
            value = RegistryValue::fromText(QString::fromWCharArray(buffer.data()));
    } else if (result == ERROR_SUCCESS && type == REG_DWORD) {
        DWORD number = 0;
        size = sizeof(number);
        result = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(&number), &size);
        if (result == ERROR_SUCCESS)
            value = RegistryValue::fromNumber(static_cast<qint32>(number));
    }
    RegCloseKey(key);
    return value;
}

// Failures are silent: the setting is simply not kept.
void WindowsRegistry::WriteRegistryValue(RegistryRoot root, const QString& keyPath,
                                         const QString& valueName, const RegistryValue& value) {
    if (value.kind == RegistryValue::Kind::Absent)
        return;
    HKEY key = nullptr;
    if (RegCreateKeyExW(rootHandle(root), wide(keyPath).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    const std::wstring name = wide(valueName);
    if (value.kind == RegistryValue::Kind::Number) {
        const DWORD number = static_cast<DWORD>(value.number);
        RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                       sizeof(number));
    } else {
        // Trimmed the same way as in the file-backed registry.
        const std::wstring text =
            wide(QString::fromStdString(std::string(trimSpaces(value.text.toStdString()))));
        RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       DWORD((text.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}

} // namespace vistrel
