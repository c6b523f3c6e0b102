#pragma once

#include <string>

#include "classroom.h"

namespace kz::admin {

// A new class folder, as `wqadmin init` and the desk's "make a new class" make it.
struct ClassInitOptions {
    std::string dir;      // held, as every path the core keeps
    std::string dataDir;  // UTF-8, as typed; empty: found at first run (or, with programs, dir)
    bool programs = false;
    std::string from;  // the installed programs' folder, held; empty: this program's own
};

struct ClassInitOutcome {
    // The folder was a class already (made with programs): only what it lacked was added.
    bool renewed = false;
    ClassroomChanges changes;
    int dropped = 0;
    // When renewed: the data directory GLOBSET.WQ names, when it is not the class folder
    // itself, which could be (held); empty otherwise.
    std::string otherDataDir;
};

// Makes GLOBSET.WQ (no password, nobody signs in, sessions logged), USERS.WQ (Teacher),
// TEACHER.WQ and LOG.WQ in dir, creating it if missing; with programs, also the links to the
// installed programs, help and sample library and the desktop entries. Refuses, writing
// nothing, when anything it would make is there already (except a class renewed with
// programs). Fails with a message (CommandFailed).
ClassInitOutcome initClass(const ClassInitOptions& options);

}  // namespace kz::admin
