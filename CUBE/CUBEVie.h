// What keeps the module loaded: every live object (controls, pages, class objects) and every server
// lock. DllCanUnloadNow asks here; every object tells here when it comes and goes.
#pragma once

void CUBE_ObjectCreated();
void CUBE_ObjectDestroyed();
// LockServer: an unbalanced unlock never drives the count below zero.
void CUBE_LockServer(bool lock);
bool CUBE_CanUnload();
