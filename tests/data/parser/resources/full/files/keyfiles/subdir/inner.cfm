inner|a file in a sub-folder is not a key file
