#include "SIM_LotteryTicket.h"

void SIM_LotteryTicket::Process() {
  if (IsOwned()) InsufficientUpkeep();
}
