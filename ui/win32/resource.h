#pragma once
// Resource identifiers shared by the resource script and the code. The icon with
// the lowest identifier is the one Windows shows for the executable.
#define IDI_ORVANE 1
// The keys of undo and redo (Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z), copy (Ctrl+C,
// Ctrl+Insert) and paste (Ctrl+V, Shift+Insert): the board's menu entries.
#define IDA_ORVANE 1
#define IDM_UNDO 101
#define IDM_REDO 102
#define IDM_COPY 103
#define IDM_PASTE 104
