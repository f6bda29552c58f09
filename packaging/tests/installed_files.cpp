#include "packaging/tests/installed_files.h"

#include "tools/icons/icon_sizes.h"

namespace tarsilo::packaging {

QString ExecutablePath() {
    return QStringLiteral("bin/Tarsilo10");
}

QString DesktopEntryPath() {
    return QStringLiteral("share/applications/%1.desktop").arg(AppId);
}

QString MetainfoPath() {
    return QStringLiteral("share/metainfo/%1.metainfo.xml").arg(AppId);
}

QString IconPath(int size) {
    return QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId);
}

QString CopyrightPath() {
    return QStringLiteral("share/doc/%1/copyright").arg(PackageName);
}

QString ChangelogPath() {
    return QStringLiteral("share/doc/%1/changelog.gz").arg(PackageName);
}

QString ManualPagePath(const QString& language) {
    const QString directory =
        language.isEmpty() ? QStringLiteral("man1") : language + QStringLiteral("/man1");
    return QStringLiteral("share/man/%1/Tarsilo10.1.gz").arg(directory);
}

QList<int> IconSizes() {
    QList<int> sizes{32};
    for (const int size : icons::DrawnSizes)
        sizes.append(size);
    return sizes;
}

} // namespace tarsilo::packaging
