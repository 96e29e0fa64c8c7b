# The results are fixed to the last bit: double precision, each operation rounded as written. GCC
# fuses a*b+c into one instruction by default wherever the processor has one (arm64 has), which
# changes last bits: so no compile of the project, on any architecture, contracts. A test checks
# every compile of each build for it (tests/contraction_check.cmake).
add_compile_options(-ffp-contract=off)
