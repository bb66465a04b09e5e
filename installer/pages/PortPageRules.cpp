#include "installer/pages/PortPageRules.h"

char ParityOfItem(int index, char current) {
    static const char parity[] = {'E', 'M', 'N', 'O', 'S'};
    return index >= 0 && index < 5 ? parity[index] : current;
}

char FlowControlOfItem(int index, char current) {
    static const char flow[] = {' ', 'x', 'p'};
    return index >= 0 && index < 3 ? flow[index] : current;
}

int BaudListIndex(int baudRate) {
    switch (baudRate) {
    case 110: return 0;
    case 300: return 1;
    case 1200: return 2;
    case 2400: return 3;
    case 4800: return 4;
    case 9600: return 5;
    case 19200: return 6;
    case 57600: return 8;
    case 115200: return 9;
    default: return 7;  // 38400, and every speed the list does not have
    }
}
