/X"self.cmd"
