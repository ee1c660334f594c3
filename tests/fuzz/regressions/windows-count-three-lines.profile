VORNAK95-PROFILE 1
windows = 80000000
window = 1 "x" 0
