// A session without a window: the control loaded from cube.ocx beside the test, reached through its
// driver by DISPID, the session model over it, and what the stages see of it.
#pragma once

#include "CUBEDriver.h"
#include "CUBEHost.h"
#include "ModeleSession.h"
#include "SurfaceSession.h"

#include <QWidget>

#include <functional>

struct SessionSeule {
    // `ceder` is what the stages' yield does: nothing by default.
    explicit SessionSeule(std::function<void()> ceder = {})
        : host(CUBEHost::ModulePath()), cube(host.Dispatch()), session(cube), surface(session, std::move(ceder))
    {
    }
    CUBEHost host;
    CUBEDriver cube;
    ModeleSession session;
    SurfaceSession surface;
};
