#include "app/ui/ToolWindow.h"

namespace wl {

ToolWindow::ToolWindow(const WindowSpec& spec, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(spec.className);
    setWindowTitle(QString::fromUtf8(spec.caption));
    resize(640, 480);
}

}  // namespace wl
