#pragma once

// Registers the resources compiled into the library. A static library's
// resource objects are only linked in when something refers to them, so the
// program and every test call this once before using ":/..." paths.
void lmInitResources();
