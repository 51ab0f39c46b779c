#pragma once

// How many GDI objects this process holds now. Windows answers through GetGuiResources; Wine
// answers 0 there, so under Wine the entries of the process's GDI handle table are counted instead.
int gdiObjectCount();

// Whether the process runs under Wine rather than Windows.
bool runningUnderWine();
