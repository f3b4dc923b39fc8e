#pragma once

#include <QList>
#include <QString>

namespace vistrel {

// One problem of a disc, as an author reads it: how bad, where, what is wrong, how to mend it.
struct Finding {
    enum Severity { Error, Warning, Note };
    Severity severity = Note;
    QString file; // relative to the disc where it lies on it
    QString message;
    QString fix;
};

using Findings = QList<Finding>;

inline Finding error(QString file, QString message, QString fix) {
    return {Finding::Error, std::move(file), std::move(message), std::move(fix)};
}
inline Finding warning(QString file, QString message, QString fix) {
    return {Finding::Warning, std::move(file), std::move(message), std::move(fix)};
}
inline Finding note(QString file, QString message, QString fix = {}) {
    return {Finding::Note, std::move(file), std::move(message), std::move(fix)};
}

} // namespace vistrel
