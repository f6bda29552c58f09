#pragma once
// What the installation puts on a system, relative to the prefix.

#include <QString>
#include <QStringList>

namespace tarsilo::packaging {

inline const QString AppId = QStringLiteral(TARSILO_APP_ID);

QString ExecutablePath();   // bin/Tarsilo10
QString DesktopEntryPath(); // share/applications/<id>.desktop
QString MetainfoPath();     // share/metainfo/<id>.metainfo.xml
QString IconPath(int size); // share/icons/hicolor/<N>x<N>/apps/<id>.png
// The icon sizes installed: the 32-pixel window icon and the drawn ones.
QList<int> IconSizes();

} // namespace tarsilo::packaging
