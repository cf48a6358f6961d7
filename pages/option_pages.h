// What the three option pages share: their one hotspot, OK, which goes
// back to the main page, and the keys that lead to it.
#pragma once

#include "locale/catalogue.h"
#include "shell/page_actions.h"
#include "shell/page_definition.h"

const WORD OPTIONS_HOT_OK = 1;

inline const HotspotDefinition OPTIONS_HOTSPOTS[] = {
    // id, x, y, width, height, action, page opened, box it needs, label, group
    {OPTIONS_HOT_OK, 151, 369, 74, 29, BackToMainAction, PAGE_MAIN, 0, LABEL_OK, 0},
};
