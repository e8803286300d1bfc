# SPDX-License-Identifier: GPL-3.0-or-later
# The fuzz targets, one fuzz_<name>.cpp each; shared by the libFuzzer build and the corpus
# replay tests, whose seed corpus is tests/data/fuzz/<name>/.
set(VELLORA_FUZZ_TARGETS
    listbinary
    listtext
    profilefile
    settingsfile
    getpiece
    cp932
    urilist
    filedragtext
)
