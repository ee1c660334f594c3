VORNAK95-PROFILE 1
fonts = 80000000
font = "a" "b"
