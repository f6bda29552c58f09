#include <QAbstractButton>
#include <QLineEdit>

#include "bench/response/window_session.h"

namespace tarsilo::bench {

QWidget* MainWindowOf(const WindowSession& session) {
    return session.CalculateButton()->window();
}

std::string WindowSession::EditTexts() const {
    QStringList texts;
    for (const QLineEdit* edit : MainWindowOf(*this)->findChildren<QLineEdit*>())
        texts.append(edit->text());
    return texts.join(QLatin1Char('|')).toStdString();
}

} // namespace tarsilo::bench
