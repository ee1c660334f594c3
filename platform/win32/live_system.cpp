// Operating-system answers of the live machine.
#include "nuvash32/nuvash32.h"
#include "platform/win32/live_machine.h"

namespace vornak {

uint32_t LiveMachine::GetVersion() { return ::GetVersion(); }
uint32_t LiveMachine::Nuvash32Version() { return ::Nuvash32Version(); }

}  // namespace vornak
