// CUBEHost: the window's side of the cube control. Loads the control module from beside the program
// (no registry needed), creates one control through the module's class object, gives it a site
// that answers "user mode", and hands out its dispatch interface and its widget.
#pragma once

#include "com.h"

#include <QPointer>
#include <QString>

class QWidget;
struct IControl;
class CUBESite;

class CUBEHost {
public:
    // Any failure here is fatal: a window without its cube is of no use.
    explicit CUBEHost(const QString& modulePath);
    // Releases the control. If the control leaves its widget behind, the widget goes too, while the
    // module's code is still there to destroy it.
    ~CUBEHost();
    CUBEHost(const CUBEHost&) = delete;
    CUBEHost& operator=(const CUBEHost&) = delete;

    IDispatch* Dispatch() const { return m_Dispatch; }
    QWidget* Widget() const { return m_Widget; }

    // The module beside the running program.
    static QString ModulePath();
    // The module file the program has loaded, as the dynamic loader found it; empty before the
    // first control is made.
    static QString LoadedModulePath();

private:
    IControl* m_Control = nullptr;
    IDispatch* m_Dispatch = nullptr;
    CUBESite* m_Site = nullptr;
    QPointer<QWidget> m_Widget;
};
