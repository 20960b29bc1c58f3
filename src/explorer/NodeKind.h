#pragma once
// What a node of either tree is, by the picture it shows. The PC tree and the terminal tree use the
// same seven pictures; a view asks a node for its kind to decide what it may do with it.

namespace feld {

enum NodeKind : int {
    kNodeComputer = 0,   // the PC tree's root; in both trees the empty child that gives a folder
                         // its expand button before it is listed
    kNodeTerminal = 1,   // the terminal tree's root; in the PC tree a place of another kind
    kNodeRemovable = 2,  // PC: removable media
    kNodeFixed = 3,      // PC: a fixed disk; terminal: a drive
    kNodeCdRom = 4,      // PC: an optical drive
    kNodeFolder = 5,
    kNodeFile = 6,
};

}  // namespace feld
