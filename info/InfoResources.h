#pragma once
// The guide pages and pictures are linked into the program from a static library; this
// registers them before their first use.
void initInfoResources();
