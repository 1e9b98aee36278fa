// The module's bookkeeping: every live object and every server lock keeps it loaded.
#pragma once

void CUBE_ObjectCreated();
void CUBE_ObjectDestroyed();
