// The parameter dialog, "Vornix Primitive": the seven texts of the
// parameters, shown and edited in template 2000 of the plug-in's resources.
#pragma once

#include <array>

class TModule;
class TWindow;

// The edit controls, in the order of the transfer record's fields.
inline constexpr std::array<int, 7> kParameterEditIds{102, 103, 104, 105, 111, 112, 113};

// Loads the defaults and the centre from the host's cursor, shows their
// texts in the dialog (owned by `parent`, found in `module`'s resources, or
// the default module's when null) and, unless the user cancelled, parses
// the edited texts back into the parameters. Returns the dialog's result:
// 1 after OK, 2 after Cancel.
//
// The dialog object and its edit objects become children of `parent` and
// are deleted with it; without a parent they are deleted here.
int RunParameterDialog(TWindow* parent, TModule* module);
