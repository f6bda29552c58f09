#pragma once
// Reading the control data of a Debian package and the desktop files that it
// installs.

#include <QMap>
#include <QString>
#include <QStringList>

namespace tarsilo::packaging {

// "Key: value" lines; continuation lines (starting with a blank) are joined to
// their field. Also reads the keys of a desktop entry's main group.
QMap<QString, QString> ReadFields(const QString& text, QChar separator = QLatin1Char(':'));

// The package names of a Depends field, alternatives and versions dropped:
// "a (>= 1), b | c" gives a, b, c.
QStringList DependencyNames(const QString& depends);

} // namespace tarsilo::packaging
