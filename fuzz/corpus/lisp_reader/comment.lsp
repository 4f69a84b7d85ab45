(f 1 ; rest
 2)