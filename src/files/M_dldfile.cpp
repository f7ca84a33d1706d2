#include "files/M_dldfile.h"
