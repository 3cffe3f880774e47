// What the headless window system notes of its own doings in the record
// that HeadlessServices() shows.
#pragma once

void RecordDialogShown();
