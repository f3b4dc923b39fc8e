#pragma once

#include <QString>
#include <QtGlobal>

namespace vistrel {

enum class RegistryRoot { CurrentUser, LocalMachine };

// The result of a registry read: text, a 32-bit integer, or nothing.
struct RegistryValue {
    enum class Kind { Absent, Text, Number };
    Kind kind = Kind::Absent;
    QString text;
    qint32 number = 0;

    static RegistryValue fromText(const QString& value) { return {Kind::Text, value, 0}; }
    static RegistryValue fromNumber(qint32 value) { return {Kind::Number, {}, value}; }
    // Absent and empty text are empty, a number never is; callers that want text get its decimal
    // form.
    bool isEmpty() const { return kind == Kind::Absent || (kind == Kind::Text && text.isEmpty()); }
    QString toText() const { return kind == Kind::Number ? QString::number(number) : text; }
    bool operator==(const RegistryValue&) const = default;
};

// The only access to the registry. Reads never fail loudly: anything missing reads as Absent.
class Registry {
  public:
    virtual ~Registry() = default;
    virtual RegistryValue ReadRegistryValue(RegistryRoot root, const QString& keyPath,
                                            const QString& valueName) = 0;
    // Text is stored as a string value, a number as a 32-bit value; failures are silent.
    virtual void WriteRegistryValue(RegistryRoot root, const QString& keyPath,
                                    const QString& valueName, const RegistryValue& value) = 0;
};

} // namespace vistrel
