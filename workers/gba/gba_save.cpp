#include "workers/gba/gba_save.h"

bool gbaSave::describeSave(SavePlan *)
{
    return refuse(say("The reader reaches only the Game Boy Advance ROM: the save chips (SRAM, FRAM, Flash, "
                      "EEPROM) answer outside it, so saves can be neither read nor written."));
}
