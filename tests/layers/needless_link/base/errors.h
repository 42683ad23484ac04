#pragma once
int Error_Code();
