#pragma once
int Read_Key();
