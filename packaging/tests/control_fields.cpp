#include "packaging/tests/control_fields.h"

#include <QRegularExpression>

namespace tarsilo::packaging {

QMap<QString, QString> ReadFields(const QString& text, QChar separator) {
    QMap<QString, QString> fields;
    QString lastKey;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char(' ')) && !lastKey.isEmpty()) {
            fields[lastKey] += QLatin1Char('\n') + line.trimmed();
            continue;
        }
        const qsizetype at = line.indexOf(separator);
        if (at <= 0 || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char('[')))
            continue;
        lastKey = line.left(at).trimmed();
        fields[lastKey] = line.mid(at + 1).trimmed();
    }
    return fields;
}

QStringList DependencyNames(const QString& depends) {
    QStringList names;
    static const QRegularExpression separators(QStringLiteral("[,|]"));
    for (const QString& item : depends.split(separators, Qt::SkipEmptyParts)) {
        const QString name = item.trimmed().section(QLatin1Char(' '), 0, 0);
        if (!name.isEmpty())
            names.append(name.section(QLatin1Char(':'), 0, 0));
    }
    return names;
}

} // namespace tarsilo::packaging
