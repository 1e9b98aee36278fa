// What the tests of notation and positions on the real window share: a shown, active window, its
// keys, the clipboard, the note over the cube and the log's menu.
#pragma once

#include "window_support.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

class OnWindow : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(Show(*w));
    }
    // Keys go to the active window.
    static bool Show(Merlo& m)
    {
        m.show();
        m.activateWindow();
        return QTest::qWaitForWindowActive(&m);
    }
    static void Key(Merlo& m, Qt::Key k, Qt::KeyboardModifiers mods = Qt::ControlModifier)
    {
        QTest::keyClick(m.windowHandle(), k, mods);
    }
    static void Paste(Merlo& m, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        Key(m, Qt::Key_V);
    }
    void Paste(const QString& text) { Paste(*w, text); }
    // The note over the cube, while it shows.
    QString Notice()
    {
        auto* n = w->findChild<QLabel*>(QStringLiteral("Avis"));
        return n && n->isVisible() ? n->text() : QString();
    }
    QAction* Action(const char* name)
    {
        for (QAction* a : w->List1->actions())
            if (a->objectName() == QLatin1String(name))
                return a;
        ADD_FAILURE() << "no action " << name;
        return nullptr;
    }
};
