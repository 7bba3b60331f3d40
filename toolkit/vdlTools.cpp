// The toolkit library; its units live in the files beside this one.
