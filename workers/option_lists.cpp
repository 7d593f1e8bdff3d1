#include "workers/option_lists.h"

#include "workers/registry.h"

#define END_OF_LIST {-1, 0, "END"}

const OptionEntry mdMapperList[] = {
    {0, 0, "Normal"},
    {1, 1, "Supter Street Fighter"},
    {2, 2, "Homebrew"},
    END_OF_LIST,
};

const OptionEntry mdRomSizeList[] = {
    {0, 131072, "128 Kbytes"},
    {1, 262144, "256 Kbytes"},
    {2, 393216, "384 Kbytes"},
    {3, 524288, "512 Kbytes"},
    {4, 655360, "640 Kbytes"},
    {5, 786432, "768 Kbytes"},
    {6, 1048576, "1024 Kbytes"},
    {7, 1310720, "1280 Kbytes"},
    {8, 1572864, "1536 Kbytes"},
    {9, 2097152, "2048 Kbytes"},
    {10, 2621440, "2560 Kbytes"},
    {11, 3145728, "3072 Kbytes"},
    {12, 4194304, "4096 Kbytes"},
    {13, 5242880, "5120 Kbytes"},
    END_OF_LIST,
};

const OptionEntry mdRamTypeList[] = {
    {0, 0, "SRAM"},
    {1, 1, "EEP"},
    END_OF_LIST,
};

const OptionEntry mdRamSizeList[] = {
    {0, 16384, "16 K"},
    {1, 32768, "32 K"},
    {2, 65536, "64 K"},
    {3, 131072, "128 K"},
    END_OF_LIST,
};

const OptionEntry gbMbcList[] = {
    {0, 0, "NONE"},
    {1, 1, "MBC1"},
    {2, 2, "MBC2"},
    {3, 3, "MBC3"},
    {4, 4, "MBC5"},
    {5, 5, "MBC1M"},
    END_OF_LIST,
};

const OptionEntry gbRomSizeList[] = {
    {0, 32768, "32KB"},
    {1, 65536, "64KB"},
    {2, 131072, "128KB"},
    {3, 262144, "256KB"},
    {4, 524288, "512KB"},
    {5, 1048576, "1024KB"},
    {6, 2097152, "2048KB"},
    {7, 4194304, "4096KB"},
    {8, 8388608, "8192KB"},
    END_OF_LIST,
};

const OptionEntry gbRamSizeList[] = {
    {0, 0, "NONE"},
    {1, 512, "512 Bytes"},
    {2, 8192, "8 Kbytes"},
    {3, 32768, "32 Kbytes"},
    {4, 65536, "64 Kbytes"},
    {5, 131072, "128 Kbytes"},
    END_OF_LIST,
};

const OptionEntry gbaRomSizeList[] = {
    {0, 1048576, "8Mbit"},
    {1, 2097152, "16Mbit"},
    {2, 4194304, "32Mbit"},
    {3, 8388608, "64Mbit"},
    {4, 16777216, "128Mbit"},
    {5, 33554432, "256Mbit"},
    {6, 67108864, "512Mbit"},
    END_OF_LIST,
};

const OptionEntry gbaSaveTypeList[] = {
    {0, 0, "NONE"},
    {1, 1, "SRAM"},
    {2, 2, "FLASH"},
    {3, 3, "EEP"},
    END_OF_LIST,
};

const OptionEntry gbaSaveSizeList[] = {
    {0, 0, "NONE"},
    {1, 512, "512 bytes"},
    {2, 8192, "8 Kbytes"},
    {3, 32768, "32 Kbytes"},
    {4, 65536, "64 Kbytes"},
    {5, 131072, "128 Kbytes"},
    END_OF_LIST,
};

const OptionEntry sfcMapModeList[] = {
    {0, 1, "LOROM"},
    {1, 2, "HIROM"},
    {2, 3, "EX-HIROM"},
    {3, 4, "96M ROM"},
    {4, 0, "HomebrewSimple"},
    {5, 0, "HomebrewMulti"},
    END_OF_LIST,
};

const OptionEntry sfcRomSizeList[] = {
    {0, 131072, "1 Mbit"},
    {1, 262144, "2 Mbit"},
    {2, 524288, "4 Mbit"},
    {3, 1048576, "8 Mbit"},
    {4, 1572864, "12 Mbit"},
    {5, 2097152, "16 Mbit"},
    {6, 2621440, "20 Mbit"},
    {7, 3145728, "24 Mbit"},
    {8, 4194304, "32 Mbit"},
    {9, 5242880, "40 Mbit"},
    {10, 6291456, "48 Mbit"},
    {11, 12582912, "96 Mbit"},
    END_OF_LIST,
};

const OptionEntry sfcRamSizeList[] = {
    {0, 0, "NONE"},
    {1, 2048, "2 Kbytes"},
    {2, 4096, "4 Kbytes"},
    {3, 8192, "8 Kbytes"},
    {4, 16384, "16 Kbytes"},
    {5, 32768, "32 Kbytes"},
    {6, 65536, "64 Kbytes"},
    {7, 131072, "128 Kbytes"},
    END_OF_LIST,
};

const OptionEntry smsMapperList[] = {
    {0, 0, "Sega"},
    {1, 1, "Codemasters"},
    END_OF_LIST,
};

// Not ordered by size; the first entry is the default.
const OptionEntry smsRomSizeList[] = {
    {0, 262144, "256 Kbytes"},
    {1, 131072, "128 Kbytes"},
    {2, 1048576, "1024 Kbytes"},
    {3, 524288, "512 Kbytes"},
    {4, 32768, "32 Kbytes"},
    {5, 442368, "432 Kbytes"},
    {6, 65536, "64 Kbytes"},
    {7, 49152, "48 Kbytes"},
    {8, 819200, "800 Kbytes"},
    {9, 8192, "8 Kbytes"},
    {10, 16384, "16 Kbytes"},
    END_OF_LIST,
};

const OptionEntry msxMapperList[] = {
    {0, 0, "standard (no mapper)"},
    {1, 1, "msx-dos 2"},
    {2, 2, "konami5 with SCC"},
    {3, 3, "konami4 without SCC"},
    {4, 4, "Ascii/8kb"},
    {5, 5, "Ascii/16kb"},
    {6, 6, "Game Master 2 with SRAM"},
    {7, 7, "Ascii/8kb with 8kb SRAM "},
    {8, 8, "Ascii/16kb with 2kb SRAM"},
    {9, 9, "R-type"},
    {10, 10, "Konami mah-jong 2"},
    {11, 11, "Panasonic fm-pac"},
    {12, 12, "Super Load Runner"},
    {13, 13, "Konami Synthesizer"},
    {14, 14, "Cross Blaim"},
    {15, 15, "Disk ROM (Philips/Sony)M"},
    {16, 16, "Korean 80-in-1"},
    {17, 17, "Korean 126-in-1"},
    {18, 0x80, "MicroCabin Harry Fox"},
    END_OF_LIST,
};

const OptionEntry msxRomSizeList[] = {
    {0, 8192, "8 Kbytes"},
    {1, 16384, "16 Kbytes"},
    {2, 32768, "32 Kbytes"},
    {3, 65536, "64 Kbytes"},
    {4, 131072, "128 Kbytes"},
    {5, 262144, "256 Kbytes"},
    {6, 393216, "384 Kbytes"},
    {7, 524288, "512 Kbytes"},
    {8, 1048576, "1024 Kbytes"},
    {9, 2097152, "2048 Kbytes"},
    END_OF_LIST,
};

const OptionEntry notUsedList[] = {
    {0, 0, "NOT USED"},
    END_OF_LIST,
};

const OptionEntry *option_list(int consoleCode, int row)
{
    const Family *family = find_family(consoleCode);
    return family && row >= 1 && row <= 4 ? family->rows[row - 1] : nullptr;
}

const OptionEntry *find_option_value(const OptionEntry *list, int value)
{
    for (int i = 0; i < kMaxOptions && list[i].index != -1; ++i)
        if (list[i].value == value)
            return &list[i];
    return nullptr;
}
