#pragma once
// What the installation puts on a system, relative to the prefix.

#include <QString>
#include <QStringList>

namespace tarsilo::packaging {

inline const QString AppId = QStringLiteral(TARSILO_APP_ID);
inline const QString PackageName = QStringLiteral(TARSILO_PACKAGE_NAME);

QString ExecutablePath();   // bin/Tarsilo10
QString DesktopEntryPath(); // share/applications/<id>.desktop
QString MetainfoPath();     // share/metainfo/<id>.metainfo.xml
QString IconPath(int size); // share/icons/hicolor/<N>x<N>/apps/<id>.png
QString CopyrightPath();    // share/doc/<package>/copyright
QString ChangelogPath();    // share/doc/<package>/changelog.gz
// share/man/man1/Tarsilo10.1.gz for English (an empty language), else
// share/man/<language>/man1/Tarsilo10.1.gz.
QString ManualPagePath(const QString& language = {});
// The icon sizes installed: the 32-pixel window icon and the drawn ones.
QList<int> IconSizes();

} // namespace tarsilo::packaging
