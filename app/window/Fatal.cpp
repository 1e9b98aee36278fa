#include "Fatal.h"

#include "module.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

QString HResultText(HRESULT hr)
{
    return QString::fromStdString(HResultToString(hr));
}

void Fatal(const QString& message)
{
    std::fprintf(stderr, "Merlos: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    const QString platform = QGuiApplication::platformName();
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) && platform != QLatin1String("offscreen")
        && platform != QLatin1String("minimal"))
        QMessageBox::critical(nullptr, QStringLiteral("MERLO's"), message);
    std::fflush(nullptr);
    // At once, like the window's own end: the failing call may sit deep inside a command, and no
    // destructor of the window or the control may run on a half-done state.
    std::_Exit(1);
}
