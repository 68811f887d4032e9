#pragma once
// Resource identifiers shared by the resource script and the code. The icon with
// the lowest identifier is the one Windows shows for the executable.
#define IDI_ORVANE 1
