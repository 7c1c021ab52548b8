#include "app/ui/DesktopOperator.h"

#include <QFileDialog>
#include <QMessageBox>

namespace wl {

namespace {

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon iconOf(BoxKind kind) {
    switch (kind) {
        case BoxKind::Plain:
            return QMessageBox::NoIcon;
        case BoxKind::Information:
            return QMessageBox::Information;
        case BoxKind::Warning:
            return QMessageBox::Warning;
        case BoxKind::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// The classic dialogs take "Text|*.ext"; Qt takes "Text (*.ext)".
QString qtFilter(std::string_view filter) {
    const QString text = qt(filter);
    const auto bar = text.indexOf('|');
    return bar < 0 ? text : text.left(bar) + " (" + text.mid(bar + 1) + ")";
}

std::optional<std::string> chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace

void DesktopOperator::tell(BoxKind kind, std::string_view text) {
    QMessageBox box(iconOf(kind), QString(), qt(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool DesktopOperator::confirm(BoxKind kind, std::string_view text) {
    QMessageBox box(iconOf(kind), QString(), qt(text), QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> DesktopOperator::chooseFileToOpen(std::string_view title,
                                                             std::string_view filter,
                                                             std::string_view proposed) {
    return chosen(QFileDialog::getOpenFileName(parent_, qt(title), qt(proposed), qtFilter(filter)));
}

std::optional<std::string> DesktopOperator::chooseFileToSave(std::string_view title,
                                                             std::string_view filter,
                                                             std::string_view proposed) {
    return chosen(QFileDialog::getSaveFileName(parent_, qt(title), qt(proposed), qtFilter(filter)));
}

}  // namespace wl
