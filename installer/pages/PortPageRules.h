#pragma once
// The serial settings' rules of the port page, by list position so that they hold in
// every language of the list texts.

// Parity items in list order Even, Mark, None, Odd, Space; another index keeps current.
char ParityOfItem(int index, char current);
// Flow-control items in list order None, Xon/Xoff, Hardware; another index keeps current.
char FlowControlOfItem(int index, char current);
// The baud list item of a speed: the item whose text is the speed, else 7 ("38400").
int BaudListIndex(int baudRate);
// A list text as the selection handlers read it: at most 19 bytes.
constexpr unsigned kListTextLimit = 19;
