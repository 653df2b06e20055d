#include "solver/messages.h"

namespace ws {

void CalcMessages::refuse(Message first, Message second) {
    lines.push_back(first);
    lines.push_back(second);
    shown = true;
    CalcAbort = true;
}

}  // namespace ws
