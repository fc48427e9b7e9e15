#pragma once

class QIcon;
class QPixmap;

// The program's icon, the same on every window and in the about box: a pipe section between two
// manholes, seen from the side, with water in the pipe.
QIcon programIcon();
QPixmap programIconPixmap(int size);
